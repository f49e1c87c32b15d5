#include "LinkState.h"

LinkState &Link()
{
    static LinkState state;
    return state;
}

void ResetLinkState()
{
    Link() = LinkState{};
}
