' The caret follows the cursor: after the prompt, after typed characters
input "Name";n$
print "[";n$;"]"
