-- The story clips' captions, by scene: each names its text in "strings.xml".
scene_1 = "scene_1"
scene_1_1 = "scene_1_1"
scene_1_2 = "scene_1_2"
scene_1_2_1 = "scene_1_2_1"

scene_2 = "scene_2"
scene_2_1 = "scene_2_1"
scene_2_1_1 = "scene_2_1_1"

scene_3 = "scene_3"
scene_3_1 = "scene_3_1"

scene_4 = "scene_4"
scene_4_1 = "scene_4_1"
scene_4_2 = "scene_4_2"
scene_4_3 = "scene_4_3"
scene_4_4 = "scene_4_4"

scene_5 = "scene_5"
scene_5_1 = "scene_5_1"
scene_5_2 = "scene_5_2"

scene_6 = "scene_6"
scene_6_1 = "scene_6_1"
scene_6_2 = "scene_6_2"
scene_6_3 = "scene_6_3"
scene_6_4 = "scene_6_4"
scene_6_5 = "scene_6_5"
