#include "penwickserver.h"
#include "serveroptions.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("penwick-server"));
    qSetMessagePattern(QStringLiteral("%{time yyyy-MM-ddThh:mm:ss.zzz} %{if-warning}WARN %{endif}%{if-critical}ERROR %{endif}%{message}"));

    QString error;
    const auto options = ServerOptions::parse(app.arguments().mid(1), &error);
    if (!options) {
        const bool help = app.arguments().contains(QStringLiteral("--help")) || app.arguments().contains(QStringLiteral("-h"));
        std::fprintf(help ? stdout : stderr, "%s\n", qPrintable(error));
        return help ? 0 : 2;
    }
    PenwickServer server(*options);
    if (!server.start(&error)) {
        std::fprintf(stderr, "penwick-server: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("penwick-server listening on %s\n", qPrintable(server.url().toString()));
    std::fflush(stdout);
    return app.exec();
}
