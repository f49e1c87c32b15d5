#pragma once
#include <QByteArray>
#include <QString>
#include <QVarLengthArray>

#include <cstdio>

// Writes JSON text as it goes, in the layout QJsonDocument's indented form uses (four
// spaces a level, `"key": value`, a line end after the last brace), for output too large
// to build as a QJsonObject first: a whole image is tens of thousands of values. Keys are
// written in the order given; callers give them sorted, as a QJsonObject keeps them.
class JsonWriter {
public:
    // With a sink the text goes there in pieces as it is written (a whole image is a
    // few hundred kilobytes); without one it stays in the writer until finish().
    explicit JsonWriter(std::FILE *sink = nullptr) : sink_(sink) {}
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    // The key of the next value of the current object; an ASCII name.
    JsonWriter &key(const char *name);
    void value(int number);
    void value(const QString &text);
    // Ends the document: returns its text, or with a sink writes the rest there and
    // returns whether every piece was written.
    QByteArray finish();
    bool finishToSink();

private:
    void open(char bracket);
    void close(char bracket);
    void element();   // the separator and indentation before an element
    void indent(qsizetype levels) { out_.append(4 * levels, ' '); }
    void string(const QString &text);
    void drain();
    void drainIfFull();

    static constexpr qsizetype kPieceBytes = 16 * 1024;
    std::FILE *sink_;
    bool sinkFailed_ = false;

    QByteArray out_;
    QVarLengthArray<bool, 8> levelEmpty_;   // per open container: nothing in it yet
    bool afterKey_ = false;
};
