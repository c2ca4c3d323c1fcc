#pragma once
// Negative results of the simulated library calls. The program only tests
// for a negative value; the codes tell a reader of the trace why.
enum SimError : int {
    SimNoDevice = -1,       // unknown, unplugged or released handle; bad index
    SimUnknownFeature = -2, // not in the vocabulary, or missing on this model
    SimNotPermitted = -3,   // read of a write-only feature or the reverse
    SimOutOfRange = -4,     // value above the feature's maximum, or an unsupported mode
    SimBadBuffer = -5,      // null buffer, a length other than count + 1, a single value to a payload
    SimInjected = -6,       // a fault the scenario or the control asked for
    SimNotAnswering = -7,   // the monitor stopped answering
    SimOutOfOrder = -8,     // KvUpdate before the process's first KvFind
};
