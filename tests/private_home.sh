# A home of the test's own: sourced by the scripts that run the real programs. private_home FOLDER
# makes FOLDER the home and the XDG folders live below it, so that neither the user's settings
# nor the user's folders are read or written, and points CUPS at a server socket that does not
# exist, so that no printer is found and nothing can be printed: printing goes to Qt's PDF
# printer. The same settings as the CTest properties in tests/CMakeLists.txt, for scripts run by
# hand.

private_home() {
  local folder=$1
  export HOME="$folder"
  export XDG_CONFIG_HOME="$folder/.config" XDG_DATA_HOME="$folder/.local/share"
  export XDG_CACHE_HOME="$folder/.cache" XDG_STATE_HOME="$folder/.local/state"
  export XDG_RUNTIME_DIR="$folder/runtime"
  export CUPS_SERVER="$folder/no-cups-server.sock"
  unset PRINTER LPDEST
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
}
