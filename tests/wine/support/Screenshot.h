#pragma once
#include "tests/wine/support/WindowPicture.h"
