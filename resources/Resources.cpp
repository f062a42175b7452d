#include "Resources.h"

#include "ResourceImages.h"
#include "resource.h"

#include <QtGlobal>

void InitProgramResources()
{
    // The images live in this library; a static library's resources must be named to be kept.
    Q_INIT_RESOURCE(resources);
    // The hand shown over the web link is the desktop's own pointing hand.
    RegisterStandardCursor(IDC_HAND_CURSOR, Qt::PointingHandCursor);
}
