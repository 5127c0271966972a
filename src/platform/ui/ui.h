#pragma once
// Everything window code needs: forms, controls, dialogs, clipboard.
#include "platform/ui/clipboard.h"
#include "platform/ui/control.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/form.h"
