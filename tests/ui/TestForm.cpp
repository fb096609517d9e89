#include "tests/ui/TestForm.h"

QV_CLASS_INFO(TTestForm, {});
