# Points the editor at the sample game installation that the build generates, through the
# same system-scope settings file the editor reads on any machine (XDG_CONFIG_DIRS).
SAMPLE_INSTALL="$ROOT/build/install"
if [ -f "$ROOT/build/xdg/Halvex/TORVALE.conf" ]; then
  export XDG_CONFIG_DIRS="$ROOT/build/xdg${XDG_CONFIG_DIRS:+:$XDG_CONFIG_DIRS}"
fi
