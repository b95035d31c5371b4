# Sourced by run.sh. Points the editor at the sample game installation that the build
# generates, through the same machine-wide settings file the editor reads on any machine
# ($XDG_CONFIG_DIRS/Halvex/TORVALE.conf). Without a generated installation the editor uses
# the machine's own record, or the folder it was started in.
if [ -f "$ROOT/build/xdg/Halvex/TORVALE.conf" ]; then
  export XDG_CONFIG_DIRS="$ROOT/build/xdg${XDG_CONFIG_DIRS:+:$XDG_CONFIG_DIRS}"
fi
