#pragma once

// The study modes of the main window; Idle when none runs.
enum class Mode { Idle, Browsing, Practice, Examination };
