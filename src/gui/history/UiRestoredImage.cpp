#include "UiRestoredImage.h"

#include "ChannelGroup.h"
#include "EditState.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "UiChildWindows.h"

namespace {
// Windows that show a part of the image, in the order they are refreshed: the grid
// first, since the channel edit dialog follows its selection.
const char *const kImageWindows[] = {"frmCommChInfo", "FrmCHInfoEdit", "FrmOptFeatures",
                                     "FrmDTMF", "FrmKey", "FrmToneTips", "FrmChannelTable",
                                     "FrmChannelCheck"};
}

void ShowRestoredImage()
{
    const int band = Run().BandMode;
    const int group = Image().header.options.currentGroup;
    if (GroupSize(group, band) > 0)
        Edit().CurrentGroup = group;
    const int rows = GroupSize(Edit().CurrentGroup, band);
    if (Edit().CurrentChannel < 1 || Edit().CurrentChannel > rows)
        Edit().CurrentChannel = 1;
    for (const char *name : kImageWindows)
        CallOnLoaded(QString::fromLatin1(name), "ShowImageAgain");
}
