#include "JsonWriter.h"

namespace {
constexpr char kHexDigits[] = "0123456789abcdef";
}

void JsonWriter::drain()
{
    if (std::fwrite(out_.constData(), 1, size_t(out_.size()), sink_) != size_t(out_.size()))
        sinkFailed_ = true;
    out_.truncate(0);   // keeps the buffer for the next piece
}

void JsonWriter::drainIfFull()
{
    if (sink_ && out_.size() >= kPieceBytes)
        drain();
}

QByteArray JsonWriter::finish()
{
    out_.append('\n');
    return out_;
}

bool JsonWriter::finishToSink()
{
    out_.append('\n');
    if (!sink_)
        return false;
    drain();
    return !sinkFailed_;
}

void JsonWriter::element()
{
    drainIfFull();
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levelEmpty_.isEmpty())
        return;   // the document's own value
    out_.append(levelEmpty_.last() ? "\n" : ",\n");
    levelEmpty_.last() = false;
    indent(levelEmpty_.size());
}

void JsonWriter::open(char bracket)
{
    element();
    out_.append(bracket);
    levelEmpty_.append(true);
}

void JsonWriter::close(char bracket)
{
    levelEmpty_.removeLast();
    out_.append('\n');
    indent(levelEmpty_.size());
    out_.append(bracket);
}

JsonWriter &JsonWriter::key(const char *name)
{
    element();
    out_.append('"');
    out_.append(name);
    out_.append("\": ");
    afterKey_ = true;
    return *this;
}

void JsonWriter::value(int number)
{
    element();
    out_.append(QByteArray::number(number));
}

void JsonWriter::value(const QString &text)
{
    element();
    string(text);
}

void JsonWriter::string(const QString &text)
{
    out_.append('"');
    const char16_t *p = reinterpret_cast<const char16_t *>(text.constData());
    const char16_t *end = p + text.size();
    while (p < end) {
        const char16_t u = *p;
        if (u >= 0x80) {
            // A run of non-ASCII text goes out as UTF-8 in one piece.
            const char16_t *run = p;
            while (p < end && *p >= 0x80)
                ++p;
            out_.append(QStringView(run, p - run).toUtf8());
            continue;
        }
        ++p;
        if (u >= 0x20 && u != '"' && u != '\\') {
            out_.append(char(u));
            continue;
        }
        out_.append('\\');
        switch (u) {
        case '"': out_.append('"'); break;
        case '\\': out_.append('\\'); break;
        case '\b': out_.append('b'); break;
        case '\f': out_.append('f'); break;
        case '\n': out_.append('n'); break;
        case '\r': out_.append('r'); break;
        case '\t': out_.append('t'); break;
        default:
            out_.append("u00");
            out_.append(kHexDigits[u >> 4]);
            out_.append(kHexDigits[u & 0x0F]);
        }
    }
    out_.append('"');
}
