#include "ui/play_texts.h"

#include <array>

#include "ui/strings.h"

namespace sky {
namespace {

constexpr std::size_t TextCount = static_cast<std::size_t>(PlayText::Count);

struct Words {
    std::array<std::string, TextCount> texts;
    const char *against, *demo, *network;  // title suffixes; network's {1} is the local player
    const char *you, *computer, *other;    // whose turn it is
};

const Words German{
    {"Neues Spiel", "Wie m\u00f6chtest du spielen?", "Gegen einen anderen Spieler an diesem Computer",
     "Gegen den Computer (er spielt als Spieler 2)", "Ein Netzwerkspiel er\u00f6ffnen",
     "An einem Netzwerkspiel teilnehmen", "Adresse:", "Code:", "Spielen", "Abbrechen",
     "Ein neues Spiel, die Punkte auf 0. Strg+N: w\u00e4hlen, wie gespielt wird.",
     "Der andere Spieler hat das Spiel verlassen.",
     "Netzwerkspiel offen auf Port {2}, Code: {3}. Adressen dieses Computers: {1}. Warte auf den anderen "
     "Spieler …",
     "Verbinde mit {1} …", "Das Netzwerkspiel lässt sich auf Port {1} nicht öffnen: {2}"},
    " - gegen den Computer", " - Computer gegen Computer", " - Netzwerk, du bist Spieler {1}",
    "Das bist du.", "Das ist der Computer.", "Das ist der andere Spieler."};

const Words English{
    {"New game", "How do you want to play?", "Against another player at this computer",
     "Against the computer (it plays Player 2)", "Host a network game", "Join a network game", "Address:",
     "Code:", "Play", "Cancel", "A new game, both scores back to 0. Ctrl+N: choose how to play.",
     "The other player has left.",
     "Network game open on port {2}, code: {3}. This computer's addresses: {1}. Waiting for the other "
     "player…",
     "Connecting to {1}…", "Cannot open the network game on port {1}: {2}"},
    " - against the computer", " - computer against computer", " - network, you are Player {1}",
    "That is you.", "That is the computer.", "That is the other player."};

const Words Portuguese{
    {"Novo jogo", "Como voc\u00ea quer jogar?", "Contra outro jogador neste computador",
     "Contra o computador (ele joga como jogador 2)", "Criar um jogo em rede", "Entrar em um jogo em rede",
     "Endere\u00e7o:", "C\u00f3digo:", "Jogar", "Cancelar",
     "Um novo jogo, o placar volta a 0. Ctrl+N: escolher como jogar.", "O outro jogador saiu.",
     "Jogo em rede aberto na porta {2}, código: {3}. Endereços deste computador: {1}. Aguardando o "
     "outro jogador…",
     "Conectando a {1}…", "Não foi possível abrir o jogo em rede na porta {1}: {2}"},
    " - contra o computador", " - computador contra computador", " - rede, voc\u00ea \u00e9 o jogador {1}",
    "\u00c9 voc\u00ea.", "\u00c9 o computador.", "\u00c9 o outro jogador."};

// Any id outside the German and Portuguese blocks speaks English.
const Words& Of(int language) {
    return language == Lang::German ? German : language == Lang::Portuguese ? Portuguese : English;
}

}  // namespace

const std::string& PlayTextOf(int language, PlayText what) {
    return Of(language).texts.at(static_cast<std::size_t>(what));
}

std::string TitleText(int language, PlayKind kind, int localPlayer) {
    const Words& w = Of(language);
    std::string title = "Skyburst 3D";
    switch (kind) {
        case PlayKind::HotSeat: return title;
        case PlayKind::Computer: return title + w.against;
        case PlayKind::Demo: return title + w.demo;
        case PlayKind::Host:
        case PlayKind::Join: break;
    }
    std::string suffix = w.network;
    suffix.replace(suffix.find("{1}"), 3, std::to_string(localPlayer));
    return title + suffix;
}

std::string TurnOwnerText(int language, Seat seat) {
    const Words& w = Of(language);
    switch (seat) {
        case Seat::Here: return w.you;
        case Seat::Computer: return w.computer;
        case Seat::Remote: break;
    }
    return w.other;
}

}  // namespace sky
