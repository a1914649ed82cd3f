#include "ui/accessible_texts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "core/angles.h"
#include "ui/strings.h"

namespace sky {
namespace {

constexpr std::size_t SpokenCount = static_cast<std::size_t>(Spoken::Count);

struct Language {
    std::array<const char*, SpokenCount> spoken;
    char decimal;
    const char *degree, *degrees;
    std::array<const char*, 8> towards;  // counter-clockwise from the right, 45 degrees apart
    std::array<const char*, 9> place;    // the map in thirds, row by row from the top left
    const char *players, *bearing, *wind, *loses, *nobodyHit, *turn;
};

const Language German{
    {"St\u00e4rke", "Richtung", "H\u00f6henwinkel",
     "Pfeil hoch und runter: ein Schritt, Bild auf und Bild ab: zehn Schritte, Pos1 und Ende: die Enden. "
     "Eine Marke weit oben ist ein starker Schuss.",
     "Pfeil links und rechts: 1 Grad, mit Umschalt 0,1 Grad, Bild auf und Bild ab: 10 Grad. "
     "Rechts dreht im Uhrzeigersinn.",
     "Pfeil hoch und runter: 1 Grad, mit Umschalt 0,1 Grad, Bild auf und Bild ab: 10 Grad. "
     "0 ist waagerecht, 90 senkrecht.",
     "3D-Ansicht", "Pfeiltasten drehen die Ansicht, Plus und Minus zoomen, Pos1 setzt sie zur\u00fcck.",
     "Ansicht nach oben drehen", "Ansicht nach unten drehen", "Ansicht nach links drehen",
     "Ansicht nach rechts drehen", "Hineinzoomen", "Herauszoomen", "Ansicht zur\u00fccksetzen",
     "Taste: Pfeil hoch in der 3D-Ansicht", "Taste: Pfeil runter in der 3D-Ansicht",
     "Taste: Pfeil links in der 3D-Ansicht", "Taste: Pfeil rechts in der 3D-Ansicht", "Taste: Plus in der 3D-Ansicht",
     "Taste: Minus in der 3D-Ansicht", "Taste: Pos1 in der 3D-Ansicht",
     "Einstellungen zeigen", "Einstellungen verbergen", "Windpfeil zeigen", "Windpfeil verbergen",
     "Computerspieler zeigen", "Computerspieler verbergen",
     "Hilfe zum Zielen und Schie\u00dfen", "Hilfe zur Ansicht", "Hilfe zum Computerspieler",
     "Karte", "Wind", "Farbskala der H\u00f6hen", "Webseite \u00fcber Artilleriespiele \u00f6ffnen", "Sprache",
     "Zielen", "Karte und Wind", "Einstellungen", "Ansicht und Spielstand"},
    ',', "Grad", "Grad",
    {"auf der Karte nach rechts", "auf der Karte nach rechts oben", "auf der Karte nach oben",
     "auf der Karte nach links oben", "auf der Karte nach links", "auf der Karte nach links unten",
     "auf der Karte nach unten", "auf der Karte nach rechts unten"},
    {"oben links", "oben", "oben rechts", "links", "in der Mitte", "rechts", "unten links", "unten", "unten rechts"},
    "Spieler 1 {1}, Spieler 2 {2}.",
    "Von Spieler {1} aus liegt Spieler {2} bei {3} {4}, {5} Felder entfernt.", "Der Wind weht {1}, {2} {3}.",
    "Spieler {1} verliert {2} Energie, {3} % bleiben.", "Niemand wurde getroffen.", "Spieler {1} ist am Zug."};

const Language English{
    {"Power", "Direction", "Elevation",
     "Up and Down arrows: one step, Page Up and Page Down: ten steps, Home and End: the ends. "
     "A mark near the top is a strong shot.",
     "Left and Right arrows: 1 degree, with Shift 0.1 degree, Page Up and Page Down: 10 degrees. "
     "Right turns clockwise.",
     "Up and Down arrows: 1 degree, with Shift 0.1 degree, Page Up and Page Down: 10 degrees. "
     "0 is level, 90 straight up.",
     "3D view", "Arrow keys turn the view, plus and minus zoom, Home resets it.",
     "Turn the view up", "Turn the view down", "Turn the view left", "Turn the view right", "Zoom in", "Zoom out",
     "Reset the view",
     "Key: Up arrow in the 3D view", "Key: Down arrow in the 3D view", "Key: Left arrow in the 3D view",
     "Key: Right arrow in the 3D view", "Key: plus in the 3D view", "Key: minus in the 3D view",
     "Key: Home in the 3D view",
     "Show the settings", "Hide the settings", "Show the wind arrow", "Hide the wind arrow",
     "Show the computer player", "Hide the computer player",
     "Help on aiming and shooting", "Help on the view", "Help on the computer player",
     "Map", "Wind", "Colour scale of the heights", "Open the web page on artillery games", "Language",
     "Aiming", "Map and wind", "Settings", "View and score"},
    '.', "degree", "degrees",
    {"towards the right of the map", "towards the top right of the map", "towards the top of the map",
     "towards the top left of the map", "towards the left of the map", "towards the bottom left of the map",
     "towards the bottom of the map", "towards the bottom right of the map"},
    {"at the top left", "at the top", "at the top right", "at the left", "in the middle", "at the right",
     "at the bottom left", "at the bottom", "at the bottom right"},
    "Player 1 {1}, player 2 {2}.", "From player {1}, player {2} lies at {3} {4}, {5} cells away.",
    "The wind blows {1}, {2} {3}.", "Player {1} loses {2} energy, {3} % left.", "No one was hit.",
    "Player {1}'s turn."};

const Language Portuguese{
    {"For\u00e7a", "Dire\u00e7\u00e3o", "Eleva\u00e7\u00e3o",
     "Setas para cima e para baixo: um passo, Page Up e Page Down: dez passos, Home e End: as pontas. "
     "Uma marca perto do topo \u00e9 um tiro forte.",
     "Setas para a esquerda e para a direita: 1 grau, com Shift 0,1 grau, Page Up e Page Down: 10 graus. "
     "A direita gira no sentido hor\u00e1rio.",
     "Setas para cima e para baixo: 1 grau, com Shift 0,1 grau, Page Up e Page Down: 10 graus. "
     "0 \u00e9 horizontal, 90 para cima.",
     "Vista 3D", "As setas giram a vista, mais e menos ajustam o zum, Home a restaura.",
     "Girar a vista para cima", "Girar a vista para baixo", "Girar a vista para a esquerda",
     "Girar a vista para a direita", "Aproximar", "Afastar", "Restaurar a vista",
     "Tecla: seta para cima na vista 3D", "Tecla: seta para baixo na vista 3D",
     "Tecla: seta para a esquerda na vista 3D", "Tecla: seta para a direita na vista 3D", "Tecla: mais na vista 3D",
     "Tecla: menos na vista 3D", "Tecla: Home na vista 3D",
     "Mostrar as configura\u00e7\u00f5es", "Esconder as configura\u00e7\u00f5es", "Mostrar a seta do vento",
     "Esconder a seta do vento", "Mostrar o jogador computador", "Esconder o jogador computador",
     "Ajuda sobre mirar e atirar", "Ajuda sobre a vista", "Ajuda sobre o jogador computador",
     "Mapa", "Vento", "Escala de cores das alturas", "Abrir a p\u00e1gina sobre jogos de artilharia",
     "L\u00edngua", "Mira", "Mapa e vento", "Configura\u00e7\u00f5es", "Vista e placar"},
    ',', "grau", "graus",
    {"para a direita no mapa", "para cima e \u00e0 direita no mapa", "para cima no mapa",
     "para cima e \u00e0 esquerda no mapa", "para a esquerda no mapa", "para baixo e \u00e0 esquerda no mapa",
     "para baixo no mapa", "para baixo e \u00e0 direita no mapa"},
    {"em cima \u00e0 esquerda", "em cima", "em cima \u00e0 direita", "\u00e0 esquerda", "no meio",
     "\u00e0 direita", "embaixo \u00e0 esquerda", "embaixo", "embaixo \u00e0 direita"},
    "Jogador 1 {1}, jogador 2 {2}.",
    "Do jogador {1}, o jogador {2} est\u00e1 a {3} {4}, a {5} casas de dist\u00e2ncia.", "O vento sopra {1}, {2} {3}.",
    "Jogador {1} perde {2} de energia, restam {3} %.", "Ningu\u00e9m foi atingido.", "Vez do jogador {1}."};

const std::array<const Language*, 3> Languages{&German, &English, &Portuguese};

// Any id outside the German and Portuguese blocks speaks English.
std::size_t Block(int language) { return language == Lang::German ? 0 : language == Lang::Portuguese ? 2 : 1; }
const Language& Of(int language) { return *Languages[Block(language)]; }

// Replaces {1}, {2}, ... in the pattern by the parts in turn.
std::string Fill(const char* pattern, std::initializer_list<std::string> parts) {
    std::string out = pattern;
    int n = 1;
    for (const std::string& part : parts) {
        const std::string mark = "{" + std::to_string(n++) + "}";
        if (const auto at = out.find(mark); at != std::string::npos) out.replace(at, mark.size(), part);
    }
    return out;
}

// Tenths are as fine as a key step goes; whole numbers lose their ".0".
double Tenths(double v) { return std::round(v * 10) / 10; }

std::string Number(const Language& l, double v) {
    const long tenths = std::lround(v * 10);
    char buf[32];
    if (tenths % 10 == 0)
        std::snprintf(buf, sizeof buf, "%ld", tenths / 10);
    else
        std::snprintf(buf, sizeof buf, "%s%ld%c%ld", tenths < 0 ? "-" : "", std::labs(tenths) / 10, l.decimal,
                      std::labs(tenths) % 10);
    return buf;
}

std::string Degrees(const Language& l, double degrees) {
    return Number(l, degrees) + " " + (Tenths(degrees) == 1 ? l.degree : l.degrees);
}

// A direction in shown degrees, rounded as it is spoken, kept below a full turn.
double SpokenDirection(double degrees) {
    const double d = Tenths(degrees);
    return d >= 360 ? d - 360 : d;
}

const char* Towards(const Language& l, double degrees) {
    return l.towards[static_cast<std::size_t>(Round(degrees / 45) % 8)];
}

const char* Place(const Language& l, const Cell& c) {
    const auto third = [](int v) { return std::clamp(v * 3 / GridSize, 0, 2); };
    return l.place[static_cast<std::size_t>(third(c.y) * 3 + third(c.x))];
}

}  // namespace

// The power a player reads is the launch speed.
double ShownPower(double storedPower) { return LaunchSpeed(storedPower); }
double StoredPower(double shownPower) { return PowerOfSpeed(shownPower); }

double DirectionDegrees(double azimuth) {
    const double d = std::fmod(ToDegrees(-azimuth), 360.0);
    return d < 0 ? d + 360 : d + 0.0;  // + 0.0 turns -0 into 0
}

double AzimuthOf(double directionDegrees) { return ToRadians(-directionDegrees); }
double ElevationDegrees(double elevation) { return ToDegrees(-elevation) + 0.0; }
double ElevationOf(double elevationDegrees) { return ToRadians(-elevationDegrees); }

const std::string& SpokenText(int language, Spoken what) {
    static const auto table = [] {
        std::array<std::array<std::string, SpokenCount>, 3> t;
        for (std::size_t l = 0; l < Languages.size(); ++l)
            for (std::size_t k = 0; k < SpokenCount; ++k) t[l][k] = Languages[l]->spoken[k];
        return t;
    }();
    return table[Block(language)][static_cast<std::size_t>(what)];
}

std::string CaptionName(const std::string& caption) {
    const auto first = caption.find_first_not_of(" [");
    if (first == std::string::npos) return {};
    return caption.substr(first, caption.find_last_not_of(" ]") - first + 1);
}

std::string PowerText(int language, double storedPower) {
    const Language& l = Of(language);
    return SpokenText(language, Spoken::Power) + " " + Number(l, ShownPower(storedPower));
}

std::string DirectionText(int language, double azimuth) {
    const Language& l = Of(language);
    const double d = SpokenDirection(DirectionDegrees(azimuth));
    return SpokenText(language, Spoken::Direction) + " " + Degrees(l, d) + ", " + Towards(l, d);
}

std::string ElevationText(int language, double elevation) {
    return SpokenText(language, Spoken::Elevation) + " " + Degrees(Of(language), ElevationDegrees(elevation));
}

std::string MapText(int language, const GameState& s) {
    const Language& l = Of(language);
    const int from = s.CurrentPlayer == 2 ? 2 : 1, to = OtherPlayer(from);
    const Cell &a = s.PlayerPos[from], &b = s.PlayerPos[to];
    const double bearing = SpokenDirection(DirectionDegrees(std::atan2(b.y - a.y, b.x - a.x)));
    const int distance = Round(std::hypot(b.x - a.x, b.y - a.y));
    return Fill(l.players, {Place(l, s.PlayerPos[1]), Place(l, s.PlayerPos[2])}) + " " +
           Fill(l.bearing, {std::to_string(from), std::to_string(to), Number(l, bearing),
                            Tenths(bearing) == 1 ? l.degree : l.degrees, std::to_string(distance)});
}

std::string WindText(int language, double windDirection) {
    // The wind pushes along (-cos, -sin) of its direction: the aim half a turn further.
    const Language& l = Of(language);
    const double d = SpokenDirection(DirectionDegrees(windDirection + Pi));
    return Fill(l.wind, {Towards(l, d), Number(l, d), Tenths(d) == 1 ? l.degree : l.degrees});
}

std::string TurnText(int language, const GameState& s, const OneBased<int32_t, 2>& energyBefore) {
    const Language& l = Of(language);
    std::string out;
    for (int p = 1; p <= 2; ++p)
        if (s.Energy[p] < energyBefore[p])
            out += Fill(l.loses, {std::to_string(p), std::to_string(energyBefore[p] - s.Energy[p]),
                                  std::to_string(std::max(0, s.Energy[p]))}) + " ";
    if (out.empty()) out = std::string(l.nobodyHit) + " ";
    return out + Fill(l.turn, {std::to_string(s.CurrentPlayer)});
}

}  // namespace sky
