#include "app/command_line_qt.h"

#include <QCommandLineParser>
#include <QStringList>

namespace sky {
namespace {

// The toolkit's options: those that take a value, then the flags.
const QStringList QtValueOptions{"-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
                                 "-qwindowtitle", "-qwindowicon", "-style", "-stylesheet", "-session", "-display",
                                 "-geometry", "-title", "-name", "-qmljsdebugger", "-font", "-bg", "-fg", "-btn"};
const QStringList QtFlags{"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync", "-visual", "-ncols", "-cmap"};

// Options whose value may be left out: "--computer" alone and "--computer
// high" both parse, as "--computer=" and "--computer=high".
const QStringList OptionalValue{"--computer", "--demo", "--host", "--join"};

QStringList Normalised(int argc, char** argv) {
    QStringList in;
    for (int i = 1; i < argc; ++i) in << QString::fromLocal8Bit(argv[i]);
    QStringList out{QStringLiteral("skyburst3d")};
    for (int i = 0; i < in.size(); ++i) {
        const QString& a = in[i];
        const QString name = a.section('=', 0, 0);
        if (QtValueOptions.contains(name) || QtValueOptions.contains("-" + name.mid(2))) {
            if (!a.contains('=')) ++i;
            continue;
        }
        if (QtFlags.contains(a)) continue;
        if (OptionalValue.contains(a)) {
            const bool valueFollows = i + 1 < in.size() && !in[i + 1].startsWith('-');
            out << a + "=" + (valueFollows ? in[++i] : QString());
            continue;
        }
        out << a;
    }
    return out;
}

int LevelOf(const QString& name) {
    const QStringList levels{"low", "medium", "high"};
    return static_cast<int>(levels.indexOf(name.toLower()));
}

bool PortOf(const QString& text, int& port) {
    bool ok = false;
    const int p = text.toInt(&ok);
    if (!ok || p < 0 || p > 65535) return false;
    port = p;
    return true;
}

CommandLine Mistake(const QString& what) {
    CommandLine c;
    c.run = false;
    c.exitCode = 2;
    c.error = ("skyburst3d: " + what + " (see skyburst3d --help)").toStdString();
    return c;
}

}  // namespace

CommandLine ParseCommandLine(int argc, char** argv) {
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Skyburst 3D, an artillery game for two players on a 3D landscape.\n"
        "Without options, two players take turns at this computer."));
    const QCommandLineOption help = p.addHelpOption();
    const QCommandLineOption version = p.addVersionOption();
    const QCommandLineOption computer(QStringLiteral("computer"), "The computer plays Player 2, at LEVEL low, medium or high "
                                                    "(default: the level chosen in the window); with --host or "
                                                    "--join, it plays this side of the network game.", "LEVEL");
    const QCommandLineOption demo(QStringLiteral("demo"), "The computer plays both sides, game after game.", "LEVEL");
    const QCommandLineOption host(QStringLiteral("host"), QString("Open a network game on PORT (default %1; 0: any free port) "
                                                    "and wait for the other player.").arg(DefaultGamePort), "PORT");
    const QCommandLineOption join(QStringLiteral("join"), "Join the network game on HOST (and PORT); without it, or without "
                                            "--code, the New game dialog asks.", "HOST[:PORT]");
    const QCommandLineOption code(QStringLiteral("code"), "The join code the host shows; on the host, the code to use instead "
                                            "of a new one.", "CODE");
    const QCommandLineOption seed(QStringLiteral("seed"), "On the host: every game is set up from a seed that follows "
                                            "from N instead of a new random one, so that a scripted game plays the "
                                            "same way each time.", "N");
    for (const auto* o : {&computer, &demo, &host, &join, &code, &seed}) p.addOption(*o);

    if (!p.parse(Normalised(argc, argv))) return Mistake(p.errorText());
    if (!p.positionalArguments().isEmpty()) return Mistake("unexpected argument '" + p.positionalArguments()[0] + "'");

    CommandLine c;
    if (p.isSet(help)) {
        c.run = false;
        c.output = p.helpText().replace("<executable_name>", "skyburst3d").toStdString();
        return c;
    }
    if (p.isSet(version)) {
        c.run = false;
        c.output = "Skyburst 3D " SKY_VERSION "\n";
        return c;
    }

    int kinds = 0;
    for (const auto* o : {&computer, &demo, &host, &join}) kinds += p.isSet(*o) ? 1 : 0;
    const bool network = p.isSet(host) || p.isSet(join);
    // With --host or --join, --computer lets the computer play this side.
    if (kinds > (network && p.isSet(computer) ? 2 : 1))
        return Mistake("choose only one of --computer, --demo, --host and --join (--computer may go with --host "
                       "or --join)");
    PlayChoice& choice = c.choice;
    if (p.isSet(computer) || p.isSet(demo)) {
        choice.kind = p.isSet(computer) ? PlayKind::Computer : PlayKind::Demo;
        choice.computerHere = network;
        const QString level = p.value(p.isSet(computer) ? computer : demo);
        if (!level.isEmpty() && (choice.level = LevelOf(level)) < 0)
            return Mistake("LEVEL must be low, medium or high, not '" + level + "'");
    }
    if (p.isSet(host)) {
        choice.kind = PlayKind::Host;
        const QString port = p.value(host);
        if (!port.isEmpty() && !PortOf(port, choice.port))
            return Mistake("PORT must be a number from 0 to 65535, not '" + port + "'");
    } else if (p.isSet(join)) {
        choice.kind = PlayKind::Join;
        const std::string where = p.value(join).toStdString();
        if (!where.empty() && !ParseHostPort(where, choice.address, choice.port))
            return Mistake("not a HOST or HOST:PORT: '" + p.value(join) + "'");
    }
    if (p.isSet(code)) {
        if (choice.kind != PlayKind::Host && choice.kind != PlayKind::Join)
            return Mistake("--code goes with --host or --join");
        choice.code = p.value(code).toStdString();
        if (!NormaliseJoinCode(choice.code))
            return Mistake("a join code is " + QString::number(JoinCodeLength) + " characters from " +
                           QString::fromLatin1(JoinCodeAlphabet.data(), JoinCodeAlphabet.size()) + ", not '" +
                           p.value(code) + "'");
    }
    if (p.isSet(seed)) {
        if (choice.kind != PlayKind::Host) return Mistake("--seed goes with --host");
        bool ok = false;
        choice.seed = p.value(seed).toUInt(&ok);
        if (!ok) return Mistake("N must be a number from 0 to 4294967295, not '" + p.value(seed) + "'");
    }
    choice.ask = choice.kind == PlayKind::Join && (choice.address.empty() || choice.code.empty());
    return c;
}

}  // namespace sky
