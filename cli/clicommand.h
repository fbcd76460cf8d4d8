#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class CliSession;
class QCommandLineParser;

// One command of penwick-cli: the words that name it ("import", "qif"), a
// line for the command list, the options it adds to its parser and the work.
struct CliCommand
{
    QStringList words;
    QString summary;
    std::function<void(QCommandLineParser &parser)> configure;
    std::function<int(CliSession &session, const QCommandLineParser &parser)> run;

    QString name() const { return words.join(u' '); }
};
