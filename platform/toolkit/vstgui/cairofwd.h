#pragma once

// Forward declarations of the cairo types the toolkit's headers mention, so
// that users of the toolkit do not need cairo's headers.
// The tags are cairo's own names.
typedef struct _cairo cairo_t;                  // NOLINT(bugprone-reserved-identifier)
typedef struct _cairo_surface cairo_surface_t;  // NOLINT(bugprone-reserved-identifier)
