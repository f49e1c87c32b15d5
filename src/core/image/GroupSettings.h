#pragma once

struct RadioImage;

// Per-group settings of the option block as the channel grid edits them. The current
// channel (or the current MEM slot) and the two numbered settings are stored as the
// chosen 1-based number minus 1.

// Stored current channel of the group (the current MEM slot in the MEM group); 0 for
// groups that keep none.
int StoredCurrentChannel(const RadioImage &img, int group, int band);
// Stores a chosen 1-based position as the group's current channel / MEM slot.
void StoreCurrentChannel(RadioImage &img, int group, int band, int position);
// The 1-based position the current-channel selector shows: the stored position when a
// channel of the group holds it, otherwise the position re-validation would move it to
// (the group's last channel in list order); 0 for an empty group.
int ShownCurrentPosition(const RadioImage &img, int group, int band);

// Re-validates a stored (position - 1) value against the group's channels.
int RevalidateStored(const RadioImage &img, int group, int band, int stored);

// Bookkeeping after a channel was added to or deleted from the group: MEM slot or
// current channel re-validated (the numbered settings are no channel positions and
// stay), an emptied group's settings and valid flag zeroed, and a valid group ensured.
void UpdateGroupBookkeeping(RadioImage &img, int group, int band);

// Stores the chosen "valid" state of a group and returns the flag actually stored: a
// group without channels cannot be enabled, the last valid group cannot be disabled.
int SetGroupValid(RadioImage &img, int group, int band, bool enable);

// True for the groups with an enable flag, current channel and numbered settings.
bool HasGroupTables(int group, int band);
