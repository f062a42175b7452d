// The templates of the program's dialogs, with their controls in template order.
#pragma once

#include "DialogTemplate.h"

const DialogTemplate& MainWindowTemplate(); // template 9
const DialogTemplate& NewCoverTemplate();   // template 102
const DialogTemplate& AboutTemplate();      // template 100
