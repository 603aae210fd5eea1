// Placeholder for a room that has no code yet.
