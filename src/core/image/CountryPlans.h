#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The country channel plans of the CB band, used to fill the CB default images.
struct CountryPlan {
    int group;                // CB group index
    QString name;
    bool amByDefault;         // customary modulation of the group is AM
    QStringList frequencies;  // channel 1.. of the group, MHz with five decimals
};

const QList<CountryPlan> &CountryPlans();
