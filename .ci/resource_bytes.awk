# Prints, as one string of hexadecimal digits, the data of the resource of
# type `type` and id `id` from what `llvm-readobj --coff-resources` says about
# a binary, or what `llvm-readobj` says about a .res file (the two listings
# name the type, the id and the data lines a little differently).
#
#   llvm-readobj --coff-resources plugin.dll | awk -v type=VORL -v id=16100 -f resource_bytes.awk

/^ *Type: /                { current_type = $2 }
/^ *Resource type /        { current_type = $NF }
/^ *Name: \(ID [0-9]+\)/   { current_id = $3; sub(/\)$/, "", current_id) }
/^ *Resource name \(int\)/ { current_id = $NF }

/^ *Data:? \($/ {
  taking = (current_type == type && current_id == id)
  if (taking) found = 1
  next
}
/^ *\)$/ { taking = 0; next }
taking {
  line = $0
  sub(/^ *[0-9A-F]+: /, "", line)
  sub(/ *\|.*$/, "", line)
  gsub(/ /, "", line)
  bytes = bytes line
}

END {
  if (!found) exit 1
  print bytes
}
