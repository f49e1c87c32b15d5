#pragma once
#include "FreqCodec.h"
#include "RadioImage.h"
#include "UiComboRules.h"

#include <QComboBox>
#include <QWidget>

// A test includes "moc_StandInChannelEdit.cpp" once to get this class's meta-object.
// Stand-in for the channel edit dialog: its DTMF selectors and its roger-beep refresh.
class StandInChannelEdit : public QWidget {
    Q_OBJECT
public:
    StandInChannelEdit()
    {
        setObjectName(QStringLiteral("FrmCHInfoEdit"));
        for (int i = 11; i <= 13; ++i) {
            auto *c = new QComboBox(this);
            c->setObjectName(QStringLiteral("Combo2(%1)").arg(i));
            FillCombo(c, DtmfCodeListEntries(Image()));
        }
    }
    QComboBox *dtmf(int i) const { return findChild<QComboBox *>(QStringLiteral("Combo2(%1)").arg(i)); }
    int showRbCalls = 0;

public slots:
    void ShowRB() { ++showRbCalls; }
};
