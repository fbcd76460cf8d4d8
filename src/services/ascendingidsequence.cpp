#include "ascendingidsequence.h"

#include <QUuid>

#include <algorithm>
#include <cmath>

namespace {

QRandomGenerator64 seeded()
{
    quint32 seed[8];
    QRandomGenerator::system()->fillRange(seed);
    return QRandomGenerator64(seed, 8);
}

// 256 bits of seed make these ids as unlikely to meet another device's as
// the system generator's.
QRandomGenerator64 &threadGenerator()
{
    thread_local QRandomGenerator64 generator = seeded();
    return generator;
}

constexpr quint64 kVersion4 = 0x4000;
constexpr quint64 kVariant = quint64(0x2) << 62;

} // namespace

AscendingIdSequence::AscendingIdSequence(qint64 count)
    : m_random(seeded())
    , m_left(std::max<qint64>(count, 0))
{
}

QString AscendingIdSequence::text(quint64 high, quint64 low)
{
    const QUuid id(uint(high >> 32), ushort(high >> 16), ushort(high), uchar(low >> 56), uchar(low >> 48),
                   uchar(low >> 40), uchar(low >> 32), uchar(low >> 24), uchar(low >> 16), uchar(low >> 8), uchar(low));
    return id.toString(QUuid::WithoutBraces);
}

QString AscendingIdSequence::random()
{
    QRandomGenerator64 &generator = threadGenerator();
    const quint64 high = (generator.generate64() & ~quint64(0xF000)) | kVersion4;
    const quint64 low = (generator.generate64() >> 2) | kVariant;
    return text(high, low);
}

QString AscendingIdSequence::next()
{
    if (m_left <= 0)
        return random();
    // The smallest of m_left uniform values above the previous one:
    // 1 - V^(1/m_left) of the remaining interval, V uniform in (0, 1].
    const double v = double((m_random.generate64() >> 11) + 1) * 0x1p-53;
    m_position += (1.0 - m_position) * -std::expm1(std::log(v) / double(m_left));
    m_position = std::min(m_position, std::nextafter(1.0, 0.0));
    --m_left;

    // The id's 122 free bits in the order its text shows them: 53 from the
    // position, then 69 fresh random ones.
    const quint64 top = quint64(std::ldexp(m_position, 53));
    const quint64 high60 = (top << 7) | (m_random.generate64() >> 57);
    const quint64 high = ((high60 >> 12) << 16) | kVersion4 | (high60 & 0xFFF);
    const quint64 low = (m_random.generate64() >> 2) | kVariant;
    return text(high, low);
}
