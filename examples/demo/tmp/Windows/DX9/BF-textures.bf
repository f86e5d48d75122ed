BF textures
