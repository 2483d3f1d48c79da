#include "platform/base/textlines.h"

#include "platform/base/cp1252.h"

#include <algorithm>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace platform
{

namespace
{

bool endsLine(char c)
{
    return c == '\n' || c == '\r';
}

// Where the walk stands: lines passed so far and the line whose start is wanted next.
struct Walker {
    QByteArrayView bytes;
    qsizetype wanted;
    qsizetype every;
    std::vector<quint32>& starts;
    LineWalk walk;
    qsizetype nextKept;

    // A line ended just before `after`; true once `wanted` lines are passed.
    bool passLine(qsizetype after)
    {
        ++walk.lines;
        walk.end = after;
        if (walk.lines == wanted)
            return true;
        if (walk.lines == nextKept) {
            starts.push_back(quint32(after));
            nextKept += every;
        }
        return false;
    }
};

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define ZM_LINES_AVX2 1
// 64 bytes at a time while the text's lines end in LF or CR LF, for processors with AVX2 and
// BMI2; stops before the first block holding a lone CR. Returns where the bytes are to be read
// on.
__attribute__((target("avx2,bmi,bmi2,popcnt"))) qsizetype passLfBlocks(Walker& w, qsizetype i,
                                                                       bool& done)
{
    const char* p = w.bytes.data();
    const qsizetype n = w.bytes.size();
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i cr = _mm256_set1_epi8('\r');
    for (; i + 64 <= n; i += 64) {
        const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i));
        const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i + 32));
        quint64 ends = quint32(_mm256_movemask_epi8(_mm256_cmpeq_epi8(low, lf))) |
                       quint64(quint32(_mm256_movemask_epi8(_mm256_cmpeq_epi8(high, lf)))) << 32;
        const quint64 crs = quint32(_mm256_movemask_epi8(_mm256_cmpeq_epi8(low, cr))) |
                            quint64(quint32(_mm256_movemask_epi8(_mm256_cmpeq_epi8(high, cr))))
                                << 32;
        // A CR right before an LF ends no line of its own: the LF ends it. Any other CR is
        // left to the byte-by-byte reading.
        if (crs != 0 &&
            (((crs << 1) & ~ends) != 0 || ((crs >> 63) != 0 && (i + 64 >= n || p[i + 64] != '\n'))))
            return i;
        const qsizetype reached = w.walk.lines + qsizetype(_mm_popcnt_u64(ends));
        // Only the end of a line whose successor's start is kept, or of the last line wanted,
        // is looked for one by one.
        for (qsizetype target = std::min(w.nextKept, w.wanted); reached >= target;
             target = std::min(w.nextKept, w.wanted)) {
            const auto k = unsigned(target - w.walk.lines);
            const auto bit = unsigned(_tzcnt_u64(_pdep_u64(quint64(1) << (k - 1), ends)));
            w.walk.lines = target - 1;
            if (w.passLine(i + bit + 1)) {
                done = true;
                return i;
            }
            ends &= bit == 63 ? 0 : ~((quint64(2) << bit) - 1);
        }
        w.walk.lines = reached;
    }
    return i;
}

bool hasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
                            __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt");
    return has;
}
#endif

} // namespace

LineSpan lineAt(QByteArrayView bytes, qsizetype from)
{
    const char* p = bytes.data();
    const qsizetype n = bytes.size();
    qsizetype i = from;
    while (i < n && !endsLine(p[i]))
        ++i;
    LineSpan span{i - from, i};
    if (i < n)
        span.next = (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n') ? i + 2 : i + 1;
    return span;
}

QString cp1252LineAt(QByteArrayView bytes, qsizetype from)
{
    return fromCp1252(bytes.data() + from, lineAt(bytes, from).length);
}

LineWalk walkLines(QByteArrayView bytes, qsizetype from, qsizetype wanted, qsizetype every,
                   std::vector<quint32>& starts)
{
    const qsizetype n = bytes.size();
    Walker w{bytes, wanted, every, starts, LineWalk{0, from}, every};
    if (wanted <= 0 || from >= n)
        return w.walk;
    const size_t before = starts.size();
    starts.push_back(quint32(from));
    const char* p = bytes.data();
    qsizetype i = from;
    bool done = false;
#if defined(ZM_LINES_AVX2)
    if (hasAvx2())
        i = passLfBlocks(w, i, done);
#endif
    for (; !done && i < n; ++i) {
        if (!endsLine(p[i]))
            continue;
        if (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n')
            ++i;
        done = w.passLine(i + 1);
    }
    if (!done) {
        // A last line without a line end counts; the start kept for the line after the last
        // one does not.
        if (!endsLine(p[n - 1]))
            w.passLine(n);
        w.walk.end = n;
        const size_t kept = size_t((w.walk.lines + every - 1) / every);
        starts.resize(before + kept);
    }
    return w.walk;
}

} // namespace platform
