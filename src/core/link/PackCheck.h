#pragma once
#include <QString>
#include <QStringList>

struct RadioImage;

// Every value of the image that has no exact place in the radio's memory (a field wider
// than its byte or bits, a channel number without an address, a frequency or DTMF digit
// the radio cannot hold), one line each naming the channel or setting. Empty when the
// image can be written. A write is refused before anything is sent when this is not
// empty, so the radio never receives a silently truncated value.
QStringList ValuesThatDoNotFit(const RadioImage &img);

// The message of a refused write: language text 9067 and the first lines of the list.
QString WriteRefusedText(const QStringList &problems);
