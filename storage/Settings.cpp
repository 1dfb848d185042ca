#include "Settings.h"

#include <QList>

#include <cmath>
#include <limits>

namespace Settings {

namespace {

QList<QByteArray> splitLines(const QByteArray &bytes)
{
    // CR LF is the file's own line end; a lone CR or LF from a hand edit counts too.
    QList<QByteArray> lines;
    QByteArray line;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '\r' || c == '\n') {
            lines.append(line);
            line.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
                ++i;
        } else {
            line.append(c);
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

QString afterKey(const QByteArray &line, int keyLength)
{
    return QString::fromLatin1(line.mid(keyLength));
}

} // namespace

double leadingNumber(const QString &text)
{
    QString s;
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
            s.append(c);
    }
    qsizetype i = 0;
    QString number;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        number.append(s[i++]);
    qsizetype digits = 0;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
        number.append(s[i++]);
        ++digits;
    }
    if (i < s.size() && s[i] == u'.') {
        number.append(s[i++]);
        while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
            number.append(s[i++]);
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    if (i < s.size() && (s[i].toUpper() == u'E' || s[i].toUpper() == u'D')) {
        QString exponent = QStringLiteral("e");
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            exponent.append(s[j++]);
        qsizetype expDigits = 0;
        while (j < s.size() && s[j].isDigit() && s[j].unicode() < 128 && expDigits < 4) {
            exponent.append(s[j++]);
            ++expDigits;
        }
        if (expDigits > 0)
            number.append(exponent);
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

int roundToShort(double value)
{
    const double rounded = std::nearbyint(value);
    if (rounded > std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    if (rounded < std::numeric_limits<qint16>::min())
        return std::numeric_limits<qint16>::min();
    return static_cast<int>(rounded);
}

Values parse(const QByteArray &bytes)
{
    Values values;
    const QList<QByteArray> lines = splitLines(bytes);
    if (lines.size() >= 1) {
        // Only spaces are trimmed: other blanks belong to the name.
        QString name = afterKey(lines[0], 5);
        while (name.startsWith(u' '))
            name.remove(0, 1);
        while (name.endsWith(u' '))
            name.chop(1);
        values.name = name.toUpper();
    }
    if (lines.size() >= 2) {
        double voice = leadingNumber(afterKey(lines[1], 6));
        if (voice < 0 || voice > 2)
            voice = 1;
        values.voice = roundToShort(voice);
    }
    if (lines.size() >= 3)
        values.attempts = roundToShort(leadingNumber(afterKey(lines[2], 10)));
    return values;
}

QByteArray serialize(const QString &name, int voiceIndex, int attempts)
{
    QByteArray bytes;
    bytes += "Nome=" + name.toLatin1() + "\r\n";
    bytes += "Suono=" + QByteArray::number(voiceIndex) + "\r\n";
    bytes += "Tentativi=" + QByteArray::number(attempts) + "\r\n";
    return bytes;
}

} // namespace Settings
