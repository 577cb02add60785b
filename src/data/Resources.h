#pragma once

// Registers the files bundled with the core library (schema and seed scripts, help pages,
// pictures) under ":/". A static library's resources must be registered by name before they
// can be read; registering again does no harm.
void RegisterResources();
