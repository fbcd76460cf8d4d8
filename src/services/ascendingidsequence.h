#pragma once

#include <QRandomGenerator64>
#include <QString>

// Random version-4 ids handed out in ascending order. Together they are
// distributed like `count` independent random ids that were then sorted, yet
// each is drawn only when asked for, so nothing is held per row. A large
// import's rows then extend the id index in order instead of landing all
// over it, which keeps a million-row import close to linear in its size.
class AscendingIdSequence final
{
public:
    explicit AscendingIdSequence(qint64 count);

    // Past `count`, ids are plain random ones.
    QString next();

    // One random id, from a generator seeded once per thread: the system
    // generator costs a system call per id, which a large import notices.
    static QString random();

private:
    static QString text(quint64 high, quint64 low);

    QRandomGenerator64 m_random;
    qint64 m_left = 0;
    double m_position = 0; // the last value drawn, in [0, 1)
};
