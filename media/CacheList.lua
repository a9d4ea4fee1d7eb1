-- Pictures kept loaded for the whole run, so that screens switch without loading them again.
List = { "menu_background.jpg", "hintarrow.png", "level_load_back.jpg", "level_load_scene.png" }
