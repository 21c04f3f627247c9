// The precompiled headers' own translation unit.
