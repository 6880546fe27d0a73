#pragma once

// Identifiers are made in the platform layer, which the insight module may use too.
#include "platform/UUID.h"
