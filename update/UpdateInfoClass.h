#pragma once
#include "Text.h"

// One parsed update list: record i of the list sits at index i of all three
// arrays (index 0 carries nothing), so the arrays always have the same bound.
class UpdateInfoClass {
public:
    StringArray OS;         // title lines: the version, a blank, free text
    StringArray newurl;     // download addresses
    StringArray Updateinfo; // information texts, lines broken by CR
};
