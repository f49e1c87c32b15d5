#include "EditState.h"

EditState &Edit()
{
    static EditState state;
    return state;
}
