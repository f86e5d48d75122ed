sounds
