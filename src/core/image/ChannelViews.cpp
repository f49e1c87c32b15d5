#include "ChannelViews.h"

ChannelViewHooks &ChannelViews()
{
    static ChannelViewHooks hooks;
    return hooks;
}
