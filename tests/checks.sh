# Named checks for the script tests. Source it, then call
#   check "what must hold" $?
# for each check; end the script with
#   echo "$passes passed, $failures failed"; [ "$failures" -eq 0 ]
failures=0 passes=0
check() {  # description, then the condition's exit status
  if [ "$2" -eq 0 ]; then echo "ok   $1"; passes=$((passes + 1)); else echo "FAIL $1"; failures=$((failures + 1)); fi
}
