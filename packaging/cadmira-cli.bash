# bash completion for cadmira-cli                              -*- shell-script -*-
# Commands, options and their choices are read from the tool's own --help, and setting names,
# values, plug-ins and ribbon paths from `cadmira-cli settings`, so completion follows whatever
# the installed tool accepts.

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

# Prints the lines of standard input that begin with $1, ignoring case as the tool does.
_cadmira_cli_starting() {
  awk -v start="$1" 'tolower(substr($0, 1, length(start))) == tolower(start)'
}

# The product whose names to offer: --product when given, else the one the file names, else the
# tool's default.
_cadmira_cli_product() {
  local tool=$1 product=$2 file=$3
  if [[ -z $product && -n $file ]]; then
    file=${file/#\~/$HOME}
    [[ -f $file && -r $file ]] && product=$("$tool" show "$file" 2>/dev/null | awk '$1 == "product:" { print $2; exit }')
  fi
  [[ $product == reader || $product == orvanta ]] && printf '%s' "$product"
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

  local command="" at=0 i
  for ((i = 1; i < ${#words[@]}; i++)); do
    [[ ${words[i]} != -* ]] && { command=${words[i]}; at=$i; break; }
  done

  local -a candidates=()
  if [[ -z $command ]]; then
    if [[ $cur == -* ]]; then
      mapfile -t candidates < <(compgen -W "$(_cadmira_cli_options "$tool" | cut -f1)" -- "$cur")
    else
      mapfile -t candidates < <(compgen -W "$("$tool" --help 2>/dev/null | _cadmira_cli_section "Subcommands:" | cut -f1)" -- "$cur")
    fi
  else
    local options
    options=$(_cadmira_cli_options "$tool" "$command")
    # The words after the command: the positionals, and the value of --product.
    local -a positionals=()
    local product="" takes
    for ((i = at + 1; i < ${#words[@]}; i++)); do
      if [[ ${words[i]} == -* ]]; then
        takes=$(awk -F'\t' -v name="${words[i]}" '$1 == name { print $2; exit }' <<<"$options")
        if [[ -n $takes ]]; then
          [[ ${words[i]} == --product ]] && product=${words[i + 1]:-}
          ((i++))
        fi
      else
        positionals+=("${words[i]}")
      fi
    done

    local choices
    choices=$(awk -F'\t' -v name="$prev" '$1 == name { print $2 "."; exit }' <<<"$options")
    if [[ $prev == --hide-plugin || $prev == --show-plugin || $prev == --hide-ribbon || $prev == --show-ribbon ]]; then
      local list=--plugins
      [[ $prev == *-ribbon ]] && list=--ribbon
      product=$(_cadmira_cli_product "$tool" "$product" "${positionals[0]:-}")
      mapfile -t candidates < <("$tool" settings ${product:+--product "$product"} "$list" 2>/dev/null | _cadmira_cli_starting "$cur")
    elif [[ -n $choices && $choices != "." && $choices != "*." ]]; then
      mapfile -t candidates < <(compgen -W "${choices%.}" -- "$cur")
    elif [[ $choices == "*." ]]; then
      mapfile -t candidates < <(compgen -f -- "$cur"); compopt -o filenames 2>/dev/null
    elif [[ $cur == -* ]]; then
      mapfile -t candidates < <(compgen -W "$(cut -f1 <<<"$options")" -- "$cur")
    elif [[ $command == set && ${#positionals[@]} -ge 1 ]]; then
      # After the file: NAME=VALUE, the name first, then its value once "=" is typed.
      product=$(_cadmira_cli_product "$tool" "$product" "${positionals[0]}")
      local settings
      settings=$("$tool" settings ${product:+--product "$product"} 2>/dev/null | awk '/^[^ ]/ { print $1 "\t" $2 }')
      if [[ $cur == *=* ]]; then
        local name=${cur%%=*} values
        values=$(awk -F'\t' -v name="$name" 'tolower($1) == tolower(name) { print $2; exit }' <<<"$settings")
        if [[ $values == *"|"* ]]; then
          mapfile -t candidates < <(tr '|' '\n' <<<"$values" | _cadmira_cli_starting "${cur#*=}" | awk -v name="$name=" '{ print name $0 }')
        fi
      else
        mapfile -t candidates < <(cut -f1 <<<"$settings" | _cadmira_cli_starting "$cur" | sed 's/$/=/')
        [[ ${#candidates[@]} -gt 0 ]] && compopt -o nospace 2>/dev/null
      fi
    else
      mapfile -t candidates < <(compgen -f -- "$cur"); compopt -o filenames 2>/dev/null
    fi
  fi

  # Readline splits words at "=" and ":"; give it back only the part after the last break.
  local prefix=${cur%"${cur##*[=:]}"}
  if [[ -n $prefix ]]; then
    for i in "${!candidates[@]}"; do candidates[i]=${candidates[i]#"$prefix"}; done
  fi
  COMPREPLY=("${candidates[@]}")
}

complete -o default -F _cadmira_cli cadmira-cli
