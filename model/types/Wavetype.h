// The data types of waveform documents: the type classes and the type store.
#pragma once

#include "model/types/CompoundTypes.h"
#include "model/types/SimpleTypes.h"
#include "model/types/ValueText.h"
#include "model/types/WaveDataType.h"
#include "model/types/WaveTypeStore.h"
