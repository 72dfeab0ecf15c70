# bash completion for cadmira-cli                              -*- shell-script -*-
# Commands, options and their choices are read from the tool's own --help, and setting names
# and values from `cadmira-cli settings`, so completion follows whatever the installed tool
# accepts.

# Prints the first word of each line of one section ("Options:", "Subcommands:") of a help text.
_cadmira_cli_section() {
  awk -v section="$1" '
    /^[^ ].*:$/ { inside = ($0 == section); next }
    inside && /^  [^ ]/ { print $1 "\t" $2 }'
}

# Prints "NAME<TAB>VALUE" for each option of a command; VALUE is "" for a flag, the choices
# ("reader orvanta") when the help lists them, else "*".
_cadmira_cli_options() {
  "$1" "${@:2}" --help 2>/dev/null | _cadmira_cli_section "Options:" | while IFS=$'\t' read -r names type; do
    local choices=""
    if [[ $type =~ ^[A-Z]+:\{(.*)\}$ ]]; then
      choices=${BASH_REMATCH[1]//,/ }
    elif [[ $type =~ ^[A-Z]+(:|$) ]]; then
      choices="*"
    fi
    local name
    for name in ${names//,/ }; do printf '%s\t%s\n' "$name" "$choices"; done
  done
}

_cadmira_cli() {
  local tool=${COMP_WORDS[0]}
  # Split the line on blanks only, so that NAME=VALUE stays one word.
  local line=${COMP_LINE:0:COMP_POINT}
  local -a words
  read -ra words <<<"$line"
  local cur=""
  [[ $line == *[[:space:]] ]] || { cur=${words[-1]}; unset 'words[-1]'; }
  local prev=${words[-1]}

  local command="" word
  for word in "${words[@]:1}"; do
    [[ $word != -* ]] && { command=$word; break; }
  done

  local -a candidates=()
  if [[ -z $command ]]; then
    if [[ $cur == -* ]]; then
      mapfile -t candidates < <(compgen -W "$(_cadmira_cli_options "$tool" | cut -f1)" -- "$cur")
    else
      mapfile -t candidates < <(compgen -W "$("$tool" --help 2>/dev/null | _cadmira_cli_section "Subcommands:" | cut -f1)" -- "$cur")
    fi
  else
    local options choices
    options=$(_cadmira_cli_options "$tool" "$command")
    choices=$(awk -F'\t' -v name="$prev" '$1 == name { print $2 "."; exit }' <<<"$options")
    if [[ -n $choices && $choices != "." && $choices != "*." ]]; then
      mapfile -t candidates < <(compgen -W "${choices%.}" -- "$cur")
    elif [[ $choices == "*." ]]; then
      mapfile -t candidates < <(compgen -f -- "$cur"); compopt -o filenames 2>/dev/null
    elif [[ $cur == -* ]]; then
      mapfile -t candidates < <(compgen -W "$(cut -f1 <<<"$options")" -- "$cur")
    elif [[ $command == set && $cur == *=* ]]; then
      local name=${cur%%=*}
      local values
      values=$("$tool" settings 2>/dev/null | awk -v name="$name" 'tolower($1) == tolower(name) { print $2; exit }')
      [[ $values == *"|"* ]] && mapfile -t candidates < <(compgen -P "$name=" -W "${values//|/ }" -- "${cur#*=}")
    else
      mapfile -t candidates < <(compgen -f -- "$cur"); compopt -o filenames 2>/dev/null
      if [[ $command == set ]]; then
        local -a names
        mapfile -t names < <(compgen -S = -W "$("$tool" settings 2>/dev/null | awk '/^[^ ]/ { print $1 }')" -- "$cur")
        candidates+=("${names[@]}")
        [[ ${#names[@]} -gt 0 ]] && compopt -o nospace 2>/dev/null
      fi
    fi
  fi

  # Readline splits words at "=" and ":"; give it back only the part after the last break.
  local prefix=${cur%"${cur##*[=:]}"}
  if [[ -n $prefix ]]; then
    local i
    for i in "${!candidates[@]}"; do candidates[i]=${candidates[i]#"$prefix"}; done
  fi
  COMPREPLY=("${candidates[@]}")
}

complete -o default -F _cadmira_cli cadmira-cli
