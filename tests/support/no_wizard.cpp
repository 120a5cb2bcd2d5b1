// Test programs link the application object, which runs the wizard from
// InitInstance; they never call it, so the wizard is left out here.
#include "app/install_app.h"

void RunInstallerWizard()
{
}
