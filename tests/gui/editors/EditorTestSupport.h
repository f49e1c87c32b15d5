#pragma once
#include "FreqCodec.h"
#include "ImageCompare.h"
#include "ModBeep.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "UiComboRules.h"

#include <QComboBox>
#include <QTest>
#include <QWidget>

// A fresh new image of the band, saved as the document's state, so IsModified() tells
// exactly whether an editor changed something.
inline void UseNewImage(int band)
{
    SetCurrentBand(band);
    BuildBuiltInDefaults();
    SaveToSavedCopy();
    ResetBeeper();
}

// Takes the current image as the saved state (after a test prepared odd values).
inline void MarkSaved() { SaveToSavedCopy(); }

template <typename T = QComboBox>
T *Control(QWidget *form, const QString &name)
{
    T *c = form->findChild<T *>(name);
    if (!c)
        qFatal("no control %s", qPrintable(name));
    return c;
}

// What a user's pick from the list does: the entry becomes current and the list reports
// the choice, even when that entry was already shown.
inline void Pick(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

inline void PickText(QComboBox *list, const QString &text)
{
    const int i = list->findText(text);
    if (i < 0)
        qFatal("no entry %s in %s", qPrintable(text), qPrintable(list->objectName()));
    Pick(list, i);
}

inline QStringList Entries(const QComboBox *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

