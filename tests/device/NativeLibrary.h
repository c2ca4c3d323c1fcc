#pragma once
// Native builds have no libdravo.dll: the ten library calls are served by
// the simulator engine linked in directly.
class Simulator;

Simulator& NativeSimulator();
