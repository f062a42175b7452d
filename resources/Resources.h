// Makes the program's compiled-in images and cursors available by resource id.
#pragma once

// Call once, after the application object exists.
void InitProgramResources();
