# shellcheck shell=bash
# Where things are on the window, for the scripts that click the program and read its screen:
# pixels of the client area, the layout's twips divided by 15 (rounded down). A control to click
# is clicked in the middle of its box; the box's twips (left, top, width × height) stand beside it.
# shellcheck disable=SC2034  # read by the scripts that source this file

client_size=(1016 734)      # 15240 × 11010
power_switch=(500 290)      # picOn: 7320, 4170, 375 × 375
power_switch_face=(492 282) # inside picOn's border, clear of the power symbol
graphs_button=(788 96)      # Command4 "Графики": 8460, 1290, 6735 × 315
exit_button=(796 686)       # Command1 "Выход": 10770, 10110, 2355 × 375
wire_probe=(33 500)         # on the left wire segment pictok(3): 420, 6000, 165 × 3255

# Two clicks at one place closer in time than this (Qt's default 400 ms, with a margin) make a
# double click.
double_click_time=0.5

# The bands of the three graphs, each holding one curve and its axes, as ImageMagick geometry
# (WIDTHxHEIGHT+LEFT+TOP).
voltage_band=400x134+590+129
current_band=400x170+590+263
power_band=400x212+590+447
