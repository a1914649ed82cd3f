#include "net/notices.h"

#include <array>

#include "net/frame.h"
#include "net/identity.h"
#include "ui/play_texts.h"

namespace sky::net {
namespace {

constexpr std::size_t Count = static_cast<std::size_t>(Notice::Repaired) + 1;
using Texts = std::array<const char*, Count>;

// {1} is the detail (the other game's version), {2} this game's own.
const Texts German{
    "Spieler 2 ist dem Spiel beigetreten.",
    "Verbunden: Du bist Spieler 2.",
    nullptr,  // PeerLeft: the game's own words for it
    "Jemand hat versucht, mit einem falschen Code beizutreten.",
    "Der Gastgeber hat den Code abgelehnt.",
    "F\u00fcnf falsche Codes: Niemand kann mehr beitreten.",
    "Der Gastgeber hat schon einen Mitspieler.",
    "Das andere Spiel hat die Version {1} (dieses {2}).",
    "Das andere Spiel spricht das Netzwerkprotokoll {1} (dieses {2}).",
    "Das andere Spiel hat andere Regeln (Version {1}).",
    "Das andere Spiel hat etwas Unlesbares geschickt ({1}); die Verbindung ist beendet.",
    "Das andere Spiel antwortet nicht mehr; die Verbindung ist beendet.",
    "Die beiden Spiele lie\u00dfen sich nicht angleichen; die Verbindung ist beendet.",
    "Keine Verbindung zu {1}.",
    "Die Spiele wichen voneinander ab; das Spiel des Gastgebers gilt (Bericht: {1}).",
};
const Texts English{
    "Player 2 has joined the game.",
    "Connected: you are Player 2.",
    nullptr,
    "Someone tried to join with a wrong code.",
    "The host refused the code.",
    "Five wrong codes: nobody else can join.",
    "The host already has a player.",
    "The other game is version {1} (this one is {2}).",
    "The other game speaks network protocol {1} (this one {2}).",
    "The other game plays by other rules (version {1}).",
    "The other game sent something unreadable ({1}); the connection is closed.",
    "The other game stopped answering; the connection is closed.",
    "The two games could not be brought back in step; the connection is closed.",
    "Could not connect to {1}.",
    "The two games differed; the host's game holds (report: {1}).",
};
const Texts Portuguese{
    "O jogador 2 entrou no jogo.",
    "Conectado: voc\u00ea \u00e9 o jogador 2.",
    nullptr,
    "Algu\u00e9m tentou entrar com um c\u00f3digo errado.",
    "O anfitri\u00e3o recusou o c\u00f3digo.",
    "Cinco c\u00f3digos errados: mais ningu\u00e9m pode entrar.",
    "O anfitri\u00e3o j\u00e1 tem um jogador.",
    "O outro jogo \u00e9 a vers\u00e3o {1} (este \u00e9 a {2}).",
    "O outro jogo usa o protocolo de rede {1} (este usa o {2}).",
    "O outro jogo tem outras regras (vers\u00e3o {1}).",
    "O outro jogo enviou algo ileg\u00edvel ({1}); a conex\u00e3o foi encerrada.",
    "O outro jogo parou de responder; a conex\u00e3o foi encerrada.",
    "N\u00e3o foi poss\u00edvel igualar os dois jogos; a conex\u00e3o foi encerrada.",
    "N\u00e3o foi poss\u00edvel conectar a {1}.",
    "Os dois jogos diferiam; vale o jogo do anfitri\u00e3o (relat\u00f3rio: {1}).",
};

void Fill(std::string& text, const std::string& mark, const std::string& value) {
    const auto at = text.find(mark);
    if (at != std::string::npos) text.replace(at, mark.size(), value);
}

}  // namespace

std::string NoticeText(int language, Notice n, const std::string& detail) {
    if (n == Notice::PeerLeft) return PlayTextOf(language, PlayText::PeerLeft);
    const Texts& texts = language == 1000 ? German : language == 3000 ? Portuguese : English;
    std::string text = texts.at(static_cast<std::size_t>(n));
    Fill(text, "{1}", detail);
    Fill(text, "{2}", n == Notice::OtherProtocol ? std::to_string(ProtocolVersion) : GameVersion());
    return text;
}

}  // namespace sky::net
