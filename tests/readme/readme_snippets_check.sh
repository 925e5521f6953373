#!/usr/bin/env bash
# Checks the README's command snippets (the fenced blocks without a language):
# each block is valid shell, and every command in it names what exists - the
# scripts, the build targets after --target, the programs run from a build
# folder (with the words of a for loop put in), the -D options of the project
# and the long options of korvelindra (as its --help lists them).
# Run as: readme_snippets_check.sh SOURCE_DIR NAMES_FILE PROGRAM
# NAMES_FILE has lines "target NAME", "program DIR/FILE" and "option NAME".
set -uo pipefail
source_dir="$1"
names_file="$2"
program="$3"
readme="$source_dir/README.md"
failures=0
fail() {
  echo "README.md:$1: $2" >&2
  failures=$((failures + 1))
}
declare -A names program_options
while IFS= read -r entry; do
  names["$entry"]=1
done <"$names_file"
has_name() {
  [ -n "${names["$1 $2"]:-}" ]
}

help_text="$("$program" --help 2>&1)" || {
  echo "$program --help failed" >&2
  exit 1
}
while IFS= read -r option; do
  program_options["$option"]=1
done < <(grep -oE -- '--[a-z][a-z0-9-]*' <<<"$help_text")
has_program_option() {
  [ -n "${program_options["$1"]:-}" ]
}

# One command (words already split): what it names must exist.
check_command() {
  local line="$1"
  shift
  local words=("$@")
  while [ ${#words[@]} -gt 0 ] && [[ "${words[0]}" =~ ^[A-Za-z_][A-Za-z0-9_]*=|^sudo$ ]]; do
    words=("${words[@]:1}")
  done
  [ ${#words[@]} -eq 0 ] && return
  local command="${words[0]}"
  local rest=("${words[@]:1}")
  case "$command" in
  korvelindra)
    local word
    for word in "${rest[@]}"; do
      if [[ "$word" == --* ]] && ! has_program_option "$word"; then
        fail "$line" "korvelindra has no option $word"
      fi
    done
    ;;
  scripts/* | ./scripts/*)
    [ -x "$source_dir/${command#./}" ] || fail "$line" "no executable script $command"
    ;;
  build/* | ./build/*)
    local path="${command#./}"
    path="${path#build/*/}"
    has_name program "$path" || fail "$line" "no program $path in the build tree ($command)"
    ;;
  cmake)
    local i
    for ((i = 0; i < ${#rest[@]}; i++)); do
      local word="${rest[i]}"
      if [ "$word" = "--target" ]; then
        local j
        for ((j = i + 1; j < ${#rest[@]}; j++)); do
          [[ "${rest[j]}" == -* ]] && break
          has_name target "${rest[j]}" || fail "$line" "no build target ${rest[j]}"
        done
      elif [[ "$word" == -D* ]]; then
        local variable="${word#-D}"
        variable="${variable%%=*}"
        variable="${variable%%:*}"
        if [[ "$variable" != CMAKE_* ]] && ! has_name option "$variable"; then
          fail "$line" "the project has no option $variable"
        fi
      elif [ "$word" = "-S" ] && [ ! -d "$source_dir/${rest[i + 1]:-}" ]; then
        fail "$line" "no source folder ${rest[i + 1]:-}"
      fi
    done
    ;;
  esac
}

# Splits a line of shell into commands at ( ) ; && || and | and checks each.
check_line() {
  local line="$1" text="$2"
  text="${text%%#*}"
  text="${text//&&/;}"
  text="${text//||/;}"
  text="$(tr '()|' ';;;' <<<"$text")"
  local part
  local parts
  IFS=';' read -ra parts <<<"$text"
  for part in "${parts[@]}"; do
    local words
    read -ra words <<<"$part"
    check_command "$line" "${words[@]}"
  done
}

# A block: valid shell as a whole, then each line with the words of the for
# loops around it put in for their variable.
check_block() {
  local first="$1"
  local block="$2"
  local syntax
  if ! syntax="$(bash -n <<<"$block" 2>&1)"; then
    fail "$first" "the snippet is not valid shell: $syntax"
    return
  fi
  local loop_vars=() loop_words=()
  local number=$((first - 1)) text
  while IFS= read -r text; do
    number=$((number + 1))
    if [[ "$text" =~ ^[[:space:]]*for[[:space:]]+([A-Za-z_][A-Za-z0-9_]*)[[:space:]]+in[[:space:]]+([^;]*)\;[[:space:]]*do[[:space:]]*$ ]]; then
      loop_vars+=("${BASH_REMATCH[1]}")
      loop_words+=("${BASH_REMATCH[2]}")
      continue
    fi
    if [[ "$text" =~ ^[[:space:]]*done[[:space:]]*$ ]]; then
      unset 'loop_vars[-1]' 'loop_words[-1]'
      continue
    fi
    local expanded=("$text")
    local k
    for ((k = 0; k < ${#loop_vars[@]}; k++)); do
      local next=() candidate word
      for candidate in "${expanded[@]}"; do
        for word in ${loop_words[k]}; do
          local with="${candidate//\$\{${loop_vars[k]}\}/$word}"
          next+=("${with//\$${loop_vars[k]}/$word}")
        done
      done
      expanded=("${next[@]}")
    done
    for text in "${expanded[@]}"; do
      check_line "$number" "$text"
    done
  done <<<"$block"
}

blocks=0
in_block=0
block=""
start=0
number=0
while IFS= read -r text; do
  number=$((number + 1))
  if [ "$in_block" -eq 0 ] && [ "$text" = '```' ]; then
    in_block=1
    block=""
    start=$((number + 1))
  elif [ "$in_block" -eq 1 ] && [ "$text" = '```' ]; then
    in_block=0
    blocks=$((blocks + 1))
    check_block "$start" "$block"
  elif [ "$in_block" -eq 1 ]; then
    block+="$text"$'\n'
  elif [[ "$text" == '```'* ]]; then
    in_block=2
  elif [ "$in_block" -eq 2 ] && [ "$text" = '```' ]; then
    in_block=0
  fi
done <"$readme"
# A fence left open would hide everything after it from the check.
[ "$in_block" -eq 0 ] || fail "$start" "a fenced block is never closed"

# The scripts that the text names anywhere (some are read by others, not run).
while IFS=: read -r line script; do
  [ -f "$source_dir/$script" ] || fail "$line" "no script $script"
done < <(grep -noE '(^|[^A-Za-z0-9_/.])scripts/[A-Za-z0-9_.-]+' "$readme" | sed -E 's/:[^s]*scripts/:scripts/')

if [ "$blocks" -eq 0 ]; then
  echo "README.md has no command snippets: the check would check nothing" >&2
  exit 1
fi
if [ "$failures" -ne 0 ]; then
  echo "$failures problems in the README's snippets" >&2
  exit 1
fi
echo "README.md: $blocks snippets checked"
