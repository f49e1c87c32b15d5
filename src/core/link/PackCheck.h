#pragma once
#include <QString>
#include <QStringList>

struct RadioImage;

// Problems of an image: how many there are, and the words of the first ones, as many as
// a message shows.
constexpr int kShownProblems = 10;
struct ProblemList {
    QStringList lines;   // at most `worded`, in the order found
    int count = 0;
    int worded = kShownProblems;
    bool isEmpty() const { return count == 0; }
};

// The values of the image that have no exact place in the radio's memory (a field wider
// than its byte or bits, a channel number without an address, a frequency or DTMF digit
// the radio cannot hold), one line each naming the channel or setting with the captions
// of the windows. Empty when the image can be written. A write is refused before
// anything is sent when this is not empty, so the radio never receives a silently
// truncated value.
ProblemList ValuesThatDoNotFit(const RadioImage &img);
// What an opened file holds outside the ranges of the windows: the same lines, and a
// line for each channel whose stored frequency is no decimal digits.
// `worded`: how many lines are worded (all of them to compare two lists).
ProblemList ProblemsOfOpenedImage(const RadioImage &img, int worded = kShownProblems);

// A message: its lead line, then the lines of the list and how many more there are.
QString ProblemListText(const QString &lead, const ProblemList &problems);
// The message of a refused write: language text 9067 and the list.
QString WriteRefusedText(const ProblemList &problems);
