#include "queries/drop_registration.h"

#include "application/control_access.h"
#include "application/drop_target.h"

void OnMainWindowCreated()
{
    // A refused registration only means the window takes no drops.
    RegisterDropWindow(拖放对象1, GetMainWindowHandle());
}
