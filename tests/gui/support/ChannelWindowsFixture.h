#pragma once
// Shared set-up of the channel window tests: a fresh image of a band, the windows
// registered, an MDI area to show them in, and look-ups of controls by name.
#include "ChannelViews.h"
#include "EditState.h"
#include "ImageCompare.h"
#include "Models.h"
#include "NewImage.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "Startup.h"
#include "UiChildWindows.h"
#include "UiWindowCatalog.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>
#include <memory>

namespace channeltest {

// The built-in default image of the band (channel 1, VFO, MEM 402..409) in the language.
inline void freshImage(int band, int language = 1)
{
    CloseAllChildWindows();
    ResetRunSettings();
    SetLanguage(language);
    SetCurrentBand(band);
    Edit() = EditState{};
    BuildBuiltInDefaults();
    SaveToSavedCopy();
}

// The image a new document of the band gets (the default file of the Init directory).
inline void newDocument(int band, int language = 1)
{
    freshImage(band, language);
    BuildNewImage();
}

struct Mdi {
    Mdi()
    {
        area = std::make_unique<QMdiArea>();
        area->resize(1100, 760);
        SetMdiArea(area.get());
        RegisterAllWindows();
        area->show();
    }
    ~Mdi()
    {
        CloseAllChildWindows();
        SetMdiArea(nullptr);
    }
    std::unique_ptr<QMdiArea> area;
};

template <typename W>
W *show(const char *name)
{
    return qobject_cast<W *>(ShowChild(QString::fromLatin1(name)));
}

template <typename T = QWidget>
T *control(QWidget *window, const QString &name)
{
    return window->findChild<T *>(name);
}

inline QComboBox *combo(QWidget *window, const QString &name)
{
    return control<QComboBox>(window, name);
}

// Chooses an entry of a list as the user does (the "activated" signal follows).
inline void choose(QComboBox *c, int index)
{
    c->setCurrentIndex(index);
    emit c->activated(index);
}

inline void chooseText(QComboBox *c, const QString &text)
{
    choose(c, c->findText(text));
}

}   // namespace channeltest
