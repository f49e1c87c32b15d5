#pragma once
#include <QByteArray>
#include <QString>
#include <QVarLengthArray>

// Writes JSON text as it goes, in the layout QJsonDocument's indented form uses (four
// spaces a level, `"key": value`, a line end after the last brace), for output too large
// to build as a QJsonObject first: a whole image is tens of thousands of values. Keys are
// written in the order given; callers give them sorted, as a QJsonObject keeps them.
class JsonWriter {
public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    // The key of the next value of the current object; an ASCII name.
    JsonWriter &key(const char *name);
    void value(int number);
    void value(const QString &text);
    // The text written so far, ended as a document is.
    QByteArray finish() const { return out_ + '\n'; }

private:
    void open(char bracket);
    void close(char bracket);
    void element();   // the separator and indentation before an element
    void indent(qsizetype levels) { out_.append(4 * levels, ' '); }
    void string(const QString &text);

    QByteArray out_;
    QVarLengthArray<bool, 8> levelEmpty_;   // per open container: nothing in it yet
    bool afterKey_ = false;
};
