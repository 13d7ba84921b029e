#!/usr/bin/env bash
# The Ansible collection passes ansible-lint's production profile, offline, with the collection
# found where Ansible looks for it (its playbook names the role by its full name).
set -euo pipefail
collection=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/collections/ansible_collections/skarvel"
ln -s "$collection" "$work/collections/ansible_collections/skarvel/till"
cd "$collection"
HOME=$work ANSIBLE_HOME=$work/ansible-home ANSIBLE_COLLECTIONS_PATH=$work/collections \
  ansible-lint --offline --nocolor --profile production
