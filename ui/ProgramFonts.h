// The fonts of the program's own windows, made as the windows always made them: Verdana at
// 13 pixels for links and notices (underlined for a link), Verdana Bold at 7.5 points for
// the buttons' captions.
#pragma once

#include <QFont>

QFont NoticeFont(bool bUnderlined);
QFont ButtonCaptionFont();
