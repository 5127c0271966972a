#pragma once
// Everything window code needs: forms, controls, dialogs, clipboard.
#include "platform/ui/browser.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/container.h"
#include "platform/ui/control.h"
#include "platform/ui/controls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/form.h"
#include "platform/ui/report_list.h"
