#include "ui/strings.h"

#include <array>

namespace sky {
namespace {

constexpr int TextsPerLanguage = Str::Count;
using Block = std::array<const char*, TextsPerLanguage>;

const Block German{
    "[Schuss]",
    "Spieler",
    "Energie Sp.",
    " Farbe ",
    "Bunt\nGrau\nRot\nGr\u00fcn\nBlau\nBraun",
    " Details ",
    " Aussehen ",
    "Linien\nLinien mit Fl\u00e4chen\nFl\u00e4chen",
    " Language - L\u00edngua ",
    "Nachdem du die St\u00e4rke (links) und die zwei Winkel (rechts oben und unten) f\u00fcr den Schuss "
    "eingestellt hast, kannst du mit Klick auf [Schuss] die Rakete abfeuern.",
    "Hier kannst du die Landschaft drehen und zoomen.\n"
    "Drehen kannst du auch, indem du mit gedr\u00fcckter linker Maustaste die Landschaft \"ziehst\".\n"
    "Zoomen ist bei gehaltener rechter Maustaste m\u00f6glich.\n"
    "Aber Vorsicht: Nach dem Drehen musst du bei den Schuss-Winkeln und beim Wind umdenken.",
    "[Neues Spiel]",
    "Punkte Sp.",
    "Dieses Mal hat Spieler",
    "gewonnen.",
    " Sound ",
    "An\nAus",
    "[Computer]",
    " Computer-Intelligenz ",
    "Niedrig\nMittel\nHoch",
    "Hier kannst du den Computer mitspielen lassen. Er spielt dann f\u00fcr den aktuellen Spieler.",
};

const Block English{
    "[Shoot]",
    "Player",
    "Energy Pl.",
    " Color ",
    "Mixed\nGray\nRed\nGreen\nBlue\nBrown",
    " Details ",
    " Look ",
    "Lines\nLines and Planes\nPlanes",
    " Sprache - L\u00edngua ",
    "After adjusting the power (on the left) and the two angles (on the right) for the shot, you can "
    "fire the missile by clicking on [Shoot].",
    "Here you can rotate the landscape and zoom in and out.\n"
    "You can also rotate the landscape by dragging it with your mouse (left mouse button).\n"
    "Zooming is possible by keeping the right mouse button pushed and moving the mouse up and down.\n"
    "But take care: After rotating the landscape, you must rethink regarding the shot angles and the "
    "wind direction.",
    "[New Game]",
    "Score Pl.",
    "This time Player",
    "has won.",
    " Sound ",
    "On\nOff",
    "[Computer]",
    " Computer Intelligence ",
    "Low\nMedium\nHigh",
    "Here you can make the computer play with you. Then it plays for the current player.",
};

const Block Portuguese{
    "[Atirar]",
    "Jogador",
    "Energia Jog.",
    " Cor ",
    "Colorido\nCinza\nVermelha\nVerde\nAzul\nMarrom",
    "Detalhes",
    " Aspecto ",
    "Linhas\nLinhas e \u00c1reas\n\u00c1reas",
    " Sprache - Language ",
    "Depois de ajustar a for\u00e7a (\u00e0 esquerda) e os dois \u00e2ngulos (\u00e0 direita) para o tiro, "
    "voc\u00ea pode atirar o m\u00edssil atrav\u00e9s de clicar em [Atirar].",
    "Aqui voc\u00ea pode rodar a paisagem e ajustar o zum.\n"
    "Voc\u00ea tamb\u00e9m pode rodar a paisagem mantendo o bot\u00e3o esquerdo apertado na paisagem e "
    "movendo o mouse.\n"
    "Com o bot\u00e3o direito \u00e9 poss\u00edvel ajustar o zum.\n"
    "Cuidado: Depois de rodar a paisagem, voc\u00ea tem que pensar mais com respeito aos \u00e2ngulos e "
    "ao vento.",
    "[Jogo Novo]",
    "Pontos Jog.",
    "Esta vez jogador",
    "ganhou.",
    " Som ",
    "Lig.\nDesl.",
    "[Computador]",
    " Intelig\u00eancia de Comp. ",
    "Baixo\nM\u00e9dio\nAlto",
    "Aqui voc\u00ea pode mandar o computador jogar com voc\u00ea. Ent\u00e3o ele joga pelo jogador atual.",
};

// Built once on first use; the texts never change afterwards.
const std::array<std::array<std::string, TextsPerLanguage>, 3>& Table() {
    static const auto table = [] {
        std::array<std::array<std::string, TextsPerLanguage>, 3> t;
        const std::array<const Block*, 3> blocks{&German, &English, &Portuguese};
        for (std::size_t l = 0; l < blocks.size(); ++l)
            for (std::size_t k = 0; k < TextsPerLanguage; ++k) t[l][k] = (*blocks[l])[k];
        return t;
    }();
    return table;
}

}  // namespace

const std::string& LoadStr(int id) {
    static const std::string none;
    const int k = id % Lang::BlockSize;
    if (id < Lang::German || id >= Lang::Portuguese + Lang::BlockSize || k >= TextsPerLanguage) return none;
    return Table()[static_cast<std::size_t>(ItemOfLanguage(id - k))][static_cast<std::size_t>(k)];
}

std::string WinnerText(int language, int winner) {
    return LoadStr(language + Str::WinnerBefore) + " " + std::to_string(winner) + " " +
           LoadStr(language + Str::WinnerAfter);
}

}  // namespace sky
