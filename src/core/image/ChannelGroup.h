#pragma once
#include <QString>
#include <QStringList>

struct RadioImage;

// Channel groups: CB country modes EU..IN and MEM (band 0); banks A..J, VFO and MEM
// (bands 1 and 2). A channel belongs to group g when its number minus the group's
// start lies in 1..size.
constexpr int kCbGroupUk = 3;
constexpr int kCbGroupDe = 6;
constexpr int kCbMemGroup = 8;
constexpr int kBankVfoGroup = 10;
constexpr int kBankMemGroup = 11;

int GroupOfChannel(int number, int band);      // -1 for an unknown band
int GroupStart(int group, int band);
int GroupSize(int group, int band);
QString GroupName(int group, int band);         // empty for a group that does not exist
int GroupCount(int band);                       // 9 in the CB band, 12 otherwise
QStringList GroupNames(int band);               // the non-empty names in group order
int GroupIndexByName(const QString &name, int band);   // -1 when none
bool IsMemGroup(int group, int band);
bool IsVfoGroup(int group, int band);
int MemGroupOf(int band);
int EnableFlagsInUse(int band);                 // 8 in the CB band, 10 otherwise
bool IsInGroup(int number, int group, int band);

int ChannelsInGroup(const RadioImage &img, int group, int band);
int ChannelsOutsideGroup(const RadioImage &img, int group, int band);   // numbers <= 400 only
// Re-validates a 1-based position against the group's channels: the position when a
// channel of the group holds it, otherwise the position of the group's last channel in
// list order (0 when the group is empty).
int PositionInGroup(const RadioImage &img, int group, int band, int position);
// Sets the enable flag of the first listed channel's group when no flag in use is set.
void EnsureValidGroup(RadioImage &img, int band);
