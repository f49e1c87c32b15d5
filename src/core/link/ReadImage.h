#pragma once

struct RadioImage;

// The document a successful read makes: the working image with the transfer buffer
// unpacked into it in the radio's band, its model record stamped as a saved file's is.
// False (and `out` unchanged) when the radio reported a band mode outside 0..2.
// Neither the working image nor the current band changes.
bool ImageFromRead(RadioImage &out);

// Stamps the model record the way saving a document does: the current model name and
// format version "V100"; the band mode stays the image's own.
void StampForFile(RadioImage &img);

// The channels a read brings back from a radio in `band`: all but 361..401 in the CB
// band, which the radio does not report.
bool ReadBringsChannel(int number, int band);

// `doc` without the channels a read from a radio in `band` cannot bring back, so that
// comparing it with what was read shows only real differences.
RadioImage ComparableWithRead(const RadioImage &doc, int band);
