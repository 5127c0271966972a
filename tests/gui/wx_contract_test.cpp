// The window contract on the wx backend.
#include "platform_ui/contract_suite.h"
