#!/bin/bash
# Two real games play a network game over the loopback, the computer on both
# sides, until each shows its winner; at a game's end each prints the hash of
# its whole state, and the two must be the same. Run inside scripts/netns (a
# private network namespace) and scripts/with-display.
#   network_game.sh PROGRAM
set -u
game=$1
dir=$(mktemp -d)
host= joiner=
trap 'kill $host $joiner 2>/dev/null; wait; rm -rf "$dir"' EXIT
fail() {
  echo "network_game: $*" >&2
  for side in host joiner; do echo "--- $side:" && cat "$dir/$side.log"; done >&2
  exit 1
}
export SDL_AUDIODRIVER=dummy
# A first start's notice waits for the player, and the computer with it: Return closes it.
close_notice() {
  for _ in $(seq 100); do
    w=$(xdotool search --onlyvisible --name '^Hinweis$' 2>/dev/null | head -1)
    [ -n "$w" ] && xdotool windowactivate --sync "$w" key Return && return 0
    sleep 0.1
  done
  fail "the $1's first notice did not show"
}

# The host's games follow from a fixed seed: the game is the same short one on
# every run (its shots fly in real time), and a red run can be replayed.
"$game" --host --code K7PQ2M --seed "${SKY_NET_SEED:-3}" --computer high 2>"$dir/host.log" &
host=$!
for _ in $(seq 100); do ss -ltn | grep -q ':41723 ' && break; sleep 0.1; done
ss -ltn | grep -q ':41723 ' || fail "the host does not listen on the default port"
# The joiner joins while the host's notice still holds its computer back, so
# the game both play is the seed's second, on every run.
"$game" --join 127.0.0.1 --code k7pq2m --computer high 2>"$dir/joiner.log" &
joiner=$!
for _ in $(seq 100); do
  [ "$(xdotool search --onlyvisible --name '^Hinweis$' 2>/dev/null | wc -l)" -ge 2 ] && break
  sleep 0.1
done
for _ in $(seq 100); do ss -tn state established | grep -q ':41723 ' && break; sleep 0.1; done
ss -tn state established | grep -q ':41723 ' || fail "the joiner did not connect"
sleep 1
close_notice joiner
close_notice host

for _ in $(seq 480); do
  grep -q ' wins, ' "$dir/host.log" && grep -q ' wins, ' "$dir/joiner.log" && break
  kill -0 $host $joiner 2>/dev/null || fail "a game ended early"
  sleep 0.5
done
ends=$(grep -h ' wins, ' "$dir/host.log" "$dir/joiner.log" | sort | uniq -c)
[ -n "$ends" ] || fail "no winner within 240 s"
[ "$(echo "$ends" | wc -l)" -eq 1 ] || fail "the games ended apart: $ends"
[ "$(echo "$ends" | awk '{print $1}')" -eq 2 ] || fail "only one game ended: $ends"
# The joiner's game is killed: the host tells its player, and goes on.
kill -KILL $joiner
wait $joiner 2>/dev/null
joiner=
for _ in $(seq 30); do grep -q 'network: The other player has left' "$dir/host.log" && break; sleep 0.5; done
grep -q 'network: The other player has left' "$dir/host.log" || fail "the host did not say that the joiner left"
kill -0 $host 2>/dev/null || fail "the host ended with the joiner"
echo "network_game: both games ended alike:$(echo "$ends" | sed 's/^ *2//'); the host saw the joiner go"
